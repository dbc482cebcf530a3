#include "kanji/kanjisearch.h"

#include <array>
#include <string_view>

namespace bks {
namespace {

// The education kanji by grade as the search knows them: every kanji in
// exactly one list, independent of the publishers' teaching orders.
constexpr std::array<std::u16string_view, 6> kSearchLists = {
    // 一年, 80
    u"大小一二三四五六七八九十子空男女手天青見学校虫文字正山水雨上下日木田川林森月車人"
    u"中力竹出火休金土本犬早目名夕町百円千糸気玉村白音赤生耳王口年草貝入右足石左立花先",
    // 二年, 160
    u"読雪言南書絵春今週紙門黄色太毛高風晴多知形長数体曜細近同話聞会社刀切内広店肉行線"
    u"汽海魚前元岩教光考思場丸点買合回歩分時間通万頭新公園鳥図夏友方声才星弓矢谷当朝顔"
    u"毎家昼半電記外何来帰親語東京古寺西夜明止道工船米秋池食野原戸国首麦地市作引画用後"
    u"台活科組羽雲室少自歌心妹答理冬鳴走交楽計父母兄姉弟午算黒茶馬北牛遠売弱強里角番直",
    // 三年, 200
    u"詩面登物商開族葉実所習動意味漢調由問題温酒次使表発主秒氷農局返決事配有相落着洋服"
    u"遊短世界指鉄安定様章品集号路横終銀去筆式持庭急屋始暗流宿全部礼央代都丁館談写真仕"
    u"湖県緑根曲泳具期両進童反対練助注深区係板柱住油港員身感想送列乗追血橋暑寒陽軽命第"
    u"州荷美客君打取豆植育消化昔畑者整鼻歯階旅委級昭和駅業皮皿息転病医薬飲重度死起幸向"
    u"島待受拾守悪悲投申倍平負他研究球波勉放炭運庫羊勝等速帳宮院笛岸福苦役予神祭坂箱湯",
    // 四年, 202
    u"信達飛席辺建菜印共照熱景府街関辞典訓類順愛夫昨灯司管議案参加的結果選説成功失敗最"
    u"陸験法録必要積極材害例倉置位清完標卒漁民副臣梅初戦争給機包帯泣別勇軍兵隊輪特各周"
    u"種季節巣無末然児候器官英票希望径氏兆億料課不械便利札変散続付折飯松側差念連固借令"
    u"孫老焼伝試観満静以旗刷郡協好仲努残良笑養省浴芽徒競博衣健康欠栄祝牧浅鏡約産求底塩"
    u"労察覚単改願挙低束働未貨治芸量冷唱城栃群埼潟井梨岡茨奈富岐阜滋阪徳香佐賀崎熊沖縄"
    u"媛鹿",
    // 五年, 193
    u"情現任際態飼似格像接解編興報容経逆構比刊効許可河銅修復絶評判移貿易潔在支性幹枝仮"
    u"基程保独豊述質準備確属夢識応勢職設造築再講総製混燃圧素統断因限迷査護授厚旧居額眼"
    u"液規則織責故句常桜序過雑略能版禁貸提状寄賛複資増防災財祖謝罪留永久営妻婦快率領険"
    u"張導弁均技術測布衛境非精示減個適武犯肥往演制酸暴績鉱志師証余義政採貧検益破条件価"
    u"招綿墓税輸団耕損務仏慣舎象賞告停士航得囲歴史毒紀脈貯救殺型費粉喜堂",
    // 六年, 191
    u"源晩盛胸片痛翌勤危姿疑担視私密脳呼吸存刻激映簡机難段討論否策割欲除専捨班座至我幕"
    u"警庁蒸洗処就干乳従裁臓肺冊域潮砂樹沿暮垂穴骨厳宝探展訪推優覧裏誤憲値熟創縦頂忠誠"
    u"蚕仁泉系著権臨宇宙並善純遺傷若巻射補盟貴模認敬尊郵署宅装操紅糖朗枚腹降縮棒尺寸暖"
    u"揮批劇閉乱筋背穀収納延供諸衆磁皇后陛律党閣革宗俳己届困看染異奏誌誕秘窓幼層卵済忘"
    u"詞賃障亡孝株聖宣絹鋼拡蔵拝派訳郷針灰奮将舌承恩胃腸券銭敵俵預退",
};

constexpr std::array<std::u16string_view, 6> kGradeTexts = {u"一年", u"二年", u"三年",
                                                            u"四年", u"五年", u"六年"};

constexpr std::array<std::u16string_view, 10> kNotFoundLines = {
    u"《使い方》",
    u" この部分に練習帳に収録したい漢字をいくつでも入力してください。また、メニューの《呼び出し》や《教科書会社》《学年》ボックスの選択からもデータ入力が可能です｡ ",
    u" A4サイズに1文字と2文字の印字が､左下の《A４版１頁の文字数》オプションで選択できます｡",
    u"  デザイン画面でワークシートの編集も可能です｡",
    u"   操作は短時間で終わりますが､100枚などとなると印字にそれなりの時間がかかります｡",
    u"   右ページ見本の【墨】の字が横を向いていてもワークシートの印字に支障はありません｡",
    u"  【ことのは帖】と併用のときはそのフォントが適用されます｡ ",
    u"  　光村図書/東京書籍/学校図書/教育出版の教科書に対応しています。",
    u"",
    u"　　　　　",
};

QString ToQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()), qsizetype(text.size()));
}

bool IsGrade(int grade)
{
    return grade >= 1 && grade <= int(kSearchLists.size());
}

}  // namespace

QString SearchList(int grade)
{
    return IsGrade(grade) ? ToQString(kSearchLists[std::size_t(grade - 1)]) : QString();
}

QString SearchGradeText(int grade)
{
    return IsGrade(grade) ? ToQString(kGradeTexts[std::size_t(grade - 1)]) : QString();
}

std::optional<GradeHit> FindGrade(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (int grade = 1; grade <= int(kSearchLists.size()); ++grade) {
        const QStringView list(kSearchLists[std::size_t(grade - 1)]);
        const qsizetype index = list.indexOf(text);
        if (index >= 0)
            return GradeHit{grade, SearchGradeText(grade), list.toString(), int(index) + 1};
    }
    return std::nullopt;
}

QString NotFoundText()
{
    QString text;
    for (std::size_t i = 0; i < kNotFoundLines.size(); ++i) {
        if (i > 0)
            text += QStringLiteral("\r\n");
        text += ToQString(kNotFoundLines[i]);
    }
    return text;
}

}  // namespace bks
